#pragma once

#include <string>
#include <utility>

#include "texts/file_messages.h"

namespace tubeline::testing {

// The message a person is shown for what the call throws; empty when it throws nothing.
template <class Call>
std::string MessageOf(Call&& call) {
    try {
        std::forward<Call>(call)();
    } catch (const FileError& error) {
        return FileProblemReason(error.Problem());
    } catch (const AttenuationTableError& error) {
        return AttenuationTableMessage(error.Problem());
    } catch (const MaterialFileError& error) {
        return MaterialFileMessage(error.Problem());
    } catch (const ExportError& error) {
        return ExportMessage(error.Problem());
    }
    return {};
}

}  // namespace tubeline::testing
