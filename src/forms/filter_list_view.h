#pragma once

#include <QWidget>
#include <vector>

#include "main_form_controls.h"

namespace tubeline {

// The list of arbitrary filters set, drawn on white: one line per filter with its name and its
// thickness.
class FilterListView : public QWidget {
  public:
    explicit FilterListView(QWidget* parent);
    void SetLines(const std::vector<FilterListLine>& lines);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<FilterListLine> lines_;
};

}  // namespace tubeline
