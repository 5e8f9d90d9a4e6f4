#pragma once

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <deque>
#include <filesystem>
#include <memory>

#include "beam_quality_window.h"
#include "filter_dialog.h"
#include "filter_list_view.h"
#include "geometry_form.h"
#include "graph/graph_view.h"
#include "graph_image_dialog.h"
#include "main_form_logic.h"
#include "model/file_places.h"
#include "program_end.h"
#include "spectrum_data_dialog.h"
#include "ui/form_widgets.h"

namespace tubeline {

// Form2, the main window: the graph with its angle buttons and axis options, the conditions
// panel, the arbitrary-filter panel, the commands and the result column. The controls' object
// names are listed with their members in control_names.md.
class MainForm : public QWidget, public MainFormView {
    Q_DECLARE_TR_FUNCTIONS(MainForm)

  public:
    MainForm(CalculationState& state, GraphCanvas& canvas, OperatorMessages& messages,
             const FilePlaces& places, ProgramEnd& end);

    MainFormLogic& Logic() { return logic_; }

    // Colours the legend marks after their curves; the start window does this when it loads.
    void SetLegendColours();

    // Both exit commands: the table file goes if it is still this program's, then the program
    // ends. Asked for while a run lets events through, it waits for the run to end.
    void Exit();

    void Refresh() override;
    void ProcessPendingEvents() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Calculate();
    void ShowGeometry();
    void OpenGraphImageDialog();
    void OpenSpectrumDataDialog();
    void OpenFilterDialog();
    void OpenBeamQualityWindow();
    void LayOutGraphColumn();
    void LayOutConditions();
    void LayOutFilterPanel();
    void LayOutCommands();
    void LayOutResults();
    void ConnectCommands();
    void SetKeyboardOrder();

    MainFormLogic logic_;
    const GraphCanvas& canvas_;
    OperatorMessages& messages_;
    FilePlaces places_;
    ProgramEnd& end_;
    bool exitRequested_ = false;
    // Secondary windows, created on first use.
    std::unique_ptr<GeometryForm> geometryWindow_;            // Form4
    std::unique_ptr<GraphImageDialog> graphImageDialog_;      // Form7
    std::unique_ptr<SpectrumDataDialog> spectrumDataDialog_;  // Form3
    std::unique_ptr<FilterDialog> filterDialog_;              // Form1
    std::unique_ptr<BeamQualityWindow> beamQualityWindow_;

    GraphView graphView_;                   // Picture3
    QLabel drawHeading_;                    // Label16 "描画"
    std::deque<QPushButton> angleButtons_;  // Command11 .. Command21
    std::deque<LegendMark> legendMarks_;    // Line1 .. Line11
    QLabel degreeLabel_;                    // Label18 "度"
    QPushButton clearButton_;               // Command9

    QGroupBox axisFrame_;
    QRadioButton photonFluenceOption_;        // Option10
    WrappedRadioButton energyFluenceOption_;  // Option12
    QRadioButton airKermaOption_;             // Option11

    QLabel conditionsHeading_;
    QGroupBox rectificationFrame_;
    QRadioButton constantPotentialOption_;  // Option7
    QRadioButton threePhaseOption_;         // Option8
    QRadioButton singlePhaseOption_;        // Option9
    std::deque<QLabel> conditionLabels_;
    QLineEdit tubeVoltageField_;         // Text1
    QLineEdit targetAngleField_;         // Text5
    QLineEdit inherentFiltrationField_;  // Text2
    QLineEdit aluminiumFilterField_;     // Text3
    QLineEdit copperFilterField_;        // Text4

    QFrame filterPanel_;
    QLabel filterPanelHeading_;         // Label10
    QLabel filterLimitLabel_;           // Label1
    FilterListView filterListView_;     // Picture1
    QPushButton setFilterButton_;       // Command4
    QPushButton releaseFiltersButton_;  // Command5

    QPushButton calculateButton_;  // Command1
    QPushButton resetButton_;      // Command3
    QPushButton editConditionsButton_;
    QLabel conditionsNote_;
    QPushButton saveSpectrumDataButton_;  // Command7
    QPushButton saveGraphImageButton_;    // Command8
    QPushButton showGeometryButton_;      // Command6

    QLabel modelCaptionShadow_;          // Label36
    QLabel modelCaption_;                // Label35
    QPushButton beamQualityButton_;      // BeamQualityCommand "線質の詳細"
    QLabel referenceDataHeading_;        // Label34
    QLabel halfValueLayerCaption_;       // Label15
    QLineEdit halfValueLayerField_;      // Text9
    QLabel halfValueLayerUnit_;          // Label17
    QLabel fluenceCaption_;              // Label19
    QLabel fluenceEquals_;               // Label12
    QLineEdit fluencePerExposureField_;  // Text11
    QLabel fluenceUnit_;                 // Label20
    QLabel fluenceUnitSquare_;           // Label21
    QLabel beamCentreNote_;              // Label14

    QLabel tubeIcon_;         // Picture2
    QPushButton exitButton_;  // Command2
};

}  // namespace tubeline
