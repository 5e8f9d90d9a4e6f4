#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "calculator.h"
#ifdef TUBELINE_SPEAKS_ENGLISH
#include <QCoreApplication>

#include "texts/qt_translation.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const tubeline::CalculatorStreams streams{std::cin, std::cout, std::cerr,
                                              ::isatty(STDERR_FILENO) ? &std::cerr : nullptr};
#ifdef TUBELINE_SPEAKS_ENGLISH
    // Qt's translators need an application object.
    const QCoreApplication application(argc, argv);
    return tubeline::RunCalculator(arguments, streams, tubeline::SpeakLanguage);
#else
    return tubeline::RunCalculator(arguments, streams);
#endif
}
