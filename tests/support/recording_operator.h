#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/main_form_view.h"
#include "forms/program_end.h"
#include "ui/operator_messages.h"

namespace tubeline::testing {

// Keeps the messages an operator would have seen instead of showing them.
class RecordedMessages : public OperatorMessages {
  public:
    void Warning(const std::string& text) override { Warnings.push_back(text); }
    void Information(const std::string& text) override { Informations.push_back(text); }
    // Answers with ConfirmAnswer, "No" unless a test says otherwise.
    bool Confirm(const std::string& question) override {
        Questions.push_back(question);
        return ConfirmAnswer;
    }
    std::vector<std::string> Warnings;
    std::vector<std::string> Informations;
    std::vector<std::string> Questions;
    bool ConfirmAnswer = false;
};

// Counts what the logic asks of its window; OnEvents plays the operator's commands that a run's
// event passes let through.
class CountingView : public MainFormView {
  public:
    void Refresh() override { ++Refreshes; }
    void ProcessPendingEvents() override {
        ++EventPasses;
        if (OnEvents) {
            OnEvents();
        }
    }
    int Refreshes = 0;
    int EventPasses = 0;
    std::function<void()> OnEvents;
};

class RecordedProgramEnd : public ProgramEnd {
  public:
    void EndProgram() override { ++Ends; }
    int Ends = 0;
};

}  // namespace tubeline::testing
