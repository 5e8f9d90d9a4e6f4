#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <deque>
#include <filesystem>
#include <memory>

#include "filter_dialog.h"
#include "filter_list_view.h"
#include "geometry_form.h"
#include "graph/graph_view.h"
#include "graph_image_dialog.h"
#include "main_form_logic.h"
#include "program_end.h"
#include "spectrum_data_dialog.h"
#include "ui/form_widgets.h"

namespace tubeline {

// Form2, the main window: the graph with its angle buttons and axis options, the conditions
// panel, the arbitrary-filter panel, the commands and the result column.
class MainForm : public QWidget, public MainFormView {
  public:
    MainForm(CalculationState& state, GraphCanvas& canvas, OperatorMessages& messages,
             const std::filesystem::path& workingFolder, ProgramEnd& end);

    MainFormLogic& Logic() { return logic_; }

    // Colours the legend marks after their curves; the start window does this when it loads.
    void SetLegendColours();

    void Refresh() override;
    void ProcessPendingEvents() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowGeometry();
    void OpenGraphImageDialog();
    void OpenSpectrumDataDialog();
    void OpenFilterDialog();
    void Exit();
    void LayOutGraphColumn();
    void LayOutConditions();
    void LayOutFilterPanel();
    void LayOutCommands();
    void LayOutResults();
    void ConnectCommands();

    MainFormLogic logic_;
    const GraphCanvas& canvas_;
    OperatorMessages& messages_;
    std::filesystem::path workingFolder_;
    ProgramEnd& end_;
    // Secondary windows, created on first use.
    std::unique_ptr<GeometryForm> form4_;
    std::unique_ptr<GraphImageDialog> form7_;
    std::unique_ptr<SpectrumDataDialog> form3_;
    std::unique_ptr<FilterDialog> form1_;

    GraphView picture3_;
    QLabel label16_;
    std::deque<QPushButton> angleButtons_;  // Command11 .. Command21
    std::deque<LegendMark> legendMarks_;    // Line1 .. Line11
    QLabel label18_;
    QPushButton command9_;

    QGroupBox axisFrame_;
    QRadioButton option10_;
    WrappedRadioButton option12_;
    QRadioButton option11_;

    QLabel conditionsHeading_;
    QGroupBox rectificationFrame_;
    QRadioButton option7_;
    QRadioButton option8_;
    QRadioButton option9_;
    std::deque<QLabel> conditionLabels_;
    QLineEdit text1_;
    QLineEdit text5_;
    QLineEdit text2_;
    QLineEdit text3_;
    QLineEdit text4_;

    QFrame filterPanel_;
    QLabel label10_;
    QLabel filterLimitLabel_;
    FilterListView picture1_;
    QPushButton command4_;
    QPushButton command5_;

    QPushButton command1_;
    QPushButton command3_;
    QPushButton command7_;
    QPushButton command8_;
    QPushButton command6_;

    QLabel label36_;
    QLabel label35_;
    QLabel label34_;
    QLabel label15_;
    QLineEdit text9_;
    QLabel label17_;
    QLabel label19_;
    QLabel label12_;
    QLineEdit text11_;
    QLabel label20_;
    QLabel label21_;
    QLabel label14_;

    QLabel picture2_;
    QPushButton command2_;
};

}  // namespace tubeline
