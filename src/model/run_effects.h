#pragma once

#include "beam_quality.h"

namespace tubeline {

// What a model run does to the windows, in the order the run fixes: events are processed once
// after the table file is written, the central curve is drawn, events are processed once more
// and the beam-quality figures are shown. The command line leaves all of it empty.
class RunEffects {
  public:
    virtual ~RunEffects() = default;
    virtual void ProcessPendingEvents() = 0;
    // Draws the central ray's curve in the colour of the 0-degree button.
    virtual void DrawCentralCurve() = 0;
    virtual void ShowBeamQuality(const BeamQualityTexts& texts) = 0;
};

class NoRunEffects : public RunEffects {
  public:
    void ProcessPendingEvents() override {}
    void DrawCentralCurve() override {}
    void ShowBeamQuality(const BeamQualityTexts&) override {}
};

// No window: keeps only the figures a run would show in the result column.
class CapturedBeamQuality : public NoRunEffects {
  public:
    void ShowBeamQuality(const BeamQualityTexts& texts) override { Texts = texts; }
    BeamQualityTexts Texts;
};

}  // namespace tubeline
