#pragma once

// Marks a text for the English catalogue: lupdate reads it as it reads QT_TRANSLATE_NOOP, and it
// stands for the text itself. Texts marked so are Japanese, as the files the program writes.
#define TUBELINE_TRANSLATABLE(context, text) text
