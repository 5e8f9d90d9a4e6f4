#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "ui/secondary_window.h"

namespace tubeline {

// "このプログラムについて": the version, the licence, the data sources and where the validation
// is; "閉じる" hides it.
class AboutWindow : public SecondaryWindow {
    Q_DECLARE_TR_FUNCTIONS(AboutWindow)

  public:
    AboutWindow();

  private:
    QLabel title_;
    QLabel paragraphs_;
    QPushButton closeButton_;
};

}  // namespace tubeline
