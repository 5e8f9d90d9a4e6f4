#pragma once

// Put before every source by the CMake option TUBELINE_WITHOUT_AVX512: each target_clones list
// becomes AVX2 and the default, so that the program runs as it does on a machine without
// AVX-512. The clones are picked by the CPU when the program loads, and no compiler flag or
// environment variable takes a version out, so a build for measuring does it here.
#define target_clones(...) target_clones("avx2", "default")
