#pragma once

#include <gtest/gtest.h>

#include "forms/main_form_logic.h"
#include "support/recording_operator.h"
#include "support/test_data.h"

namespace tubeline::testing {

// The main window's logic on the shipped table, saving into a scratch folder, with the messages
// an operator would see and what it asks of its window recorded.
class MainFormLogicFixture : public ::testing::Test {
  protected:
    MainFormLogicFixture() : logic_(state_, canvas_, messages_, view_, folder_.Path()) {
        state_.Attenuation = ShippedAttenuation();
    }

    ScratchFolder folder_;
    CalculationState state_;
    GraphCanvas canvas_;
    RecordedMessages messages_;
    CountingView view_;
    MainFormLogic logic_;
};

}  // namespace tubeline::testing
