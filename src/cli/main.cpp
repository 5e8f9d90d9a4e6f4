#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "calculator.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const tubeline::CalculatorStreams streams{std::cin, std::cout, std::cerr,
                                              ::isatty(STDERR_FILENO) ? &std::cerr : nullptr};
    return tubeline::RunCalculator(arguments, streams);
}
