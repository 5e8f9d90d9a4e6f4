#pragma once

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <deque>
#include <filesystem>
#include <memory>

#include "about_window.h"
#include "beam_quality_window.h"
#include "filter_dialog.h"
#include "filter_list_view.h"
#include "geometry_form.h"
#include "graph/graph_view.h"
#include "graph_image_dialog.h"
#include "main_form_logic.h"
#include "places/file_places.h"
#include "program_end.h"
#include "spectrum_data_dialog.h"
#include "ui/form_widgets.h"

namespace tubeline {

// The main window: the graph with its angle buttons and axis options, the conditions
// panel, the arbitrary-filter panel, the commands and the result column. Every control's object
// name is its member's name.
class MainForm : public QWidget, public MainFormView {
    Q_DECLARE_TR_FUNCTIONS(MainForm)

  public:
    MainForm(CalculationState& state, GraphCanvas& canvas, OperatorMessages& messages,
             const FilePlaces& places, ProgramEnd& end);

    MainFormLogic& Logic() { return logic_; }

    // Colours the legend marks after their curves; the start window does this when it loads.
    void SetLegendColours();

    // "このプログラムについて", from either window: F1, or the start window's button.
    void ShowAbout();

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
    // What the drawn curves read at the pointer's energy, under the graph.
    void ShowPointerReading(std::optional<PlotReading> reading);
    void ShowGeometry();
    void OpenGraphImageDialog();
    void OpenSpectrumDataDialog();
    void OpenFilterDialog();
    void OpenBeamQualityWindow();
    void LayOutGraphColumn();
    void LayOutConditions();
    void LayOutOutputConditions();
    void LayOutFilterPanel();
    void LayOutCommands();
    void LayOutResults();
    void ConnectCommands();
    void SetKeyboardOrder();
    // The five condition fields and the physics model's two, which take typing together.
    std::array<QLineEdit*, 7> ConditionEditors();
    // The button and the legend mark of an AngleIndex, 1 .. kAngleCount.
    QPushButton& AngleButton(int angleIndex) { return angleButtons_[angleIndex - 1]; }
    LegendMark& LegendMarkOf(int angleIndex) { return legendMarks_[angleIndex - 1]; }

    MainFormLogic logic_;
    const GraphCanvas& canvas_;
    OperatorMessages& messages_;
    FilePlaces places_;
    ProgramEnd& end_;
    bool exitRequested_ = false;
    // Secondary windows, created on first use.
    std::unique_ptr<GeometryForm> geometryWindow_;
    std::unique_ptr<GraphImageDialog> graphImageDialog_;
    std::unique_ptr<SpectrumDataDialog> spectrumDataDialog_;
    std::unique_ptr<FilterDialog> filterDialog_;
    std::unique_ptr<BeamQualityWindow> beamQualityWindow_;
    std::unique_ptr<AboutWindow> aboutWindow_;

    GraphView graphView_;
    QLabel pointerReading_;
    QLabel conditionsNote_;
    QLabel drawHeading_;
    std::deque<QPushButton> angleButtons_;
    std::deque<LegendMark> legendMarks_;
    QLabel degreeLabel_;
    QPushButton clearButton_;

    QGroupBox axisFrame_;
    QRadioButton photonFluenceOption_;
    WrappedRadioButton energyFluenceOption_;
    QRadioButton airKermaOption_;

    QLabel conditionsHeading_;
    QGroupBox rectificationFrame_;
    QRadioButton constantPotentialOption_;
    QRadioButton threePhaseOption_;
    QRadioButton singlePhaseOption_;
    std::deque<QLabel> conditionLabels_;
    QLineEdit tubeVoltageField_;
    QLineEdit targetAngleField_;
    QLineEdit inherentFiltrationField_;
    QLineEdit aluminiumFilterField_;
    QLineEdit copperFilterField_;
    // The physics model's: where its air kerma per mAs is wanted, and the tube's output factor.
    QLabel distanceCaption_;
    QLineEdit distanceField_;
    QLabel distanceUnit_;
    QLabel outputFactorCaption_;
    QLineEdit outputFactorField_;

    QFrame filterPanel_;
    QLabel filterPanelHeading_;
    QLabel filterLimitLabel_;
    FilterListView filterListView_;
    QPushButton setFilterButton_;
    QPushButton releaseFiltersButton_;

    QPushButton calculateButton_;
    QPushButton resetButton_;
    QPushButton editConditionsButton_;
    QPushButton saveSpectrumDataButton_;
    QPushButton saveGraphImageButton_;
    QPushButton showGeometryButton_;

    QLabel modelCaptionShadow_;
    QLabel modelCaption_;
    QPushButton beamQualityButton_;
    QLabel referenceDataHeading_;
    QLabel halfValueLayerCaption_;
    QLineEdit halfValueLayerField_;
    QLabel halfValueLayerUnit_;
    QLabel fluenceCaption_;
    QLabel fluenceEquals_;
    QLineEdit fluencePerExposureField_;
    QLabel fluenceUnit_;
    QLabel fluenceUnitSquare_;
    QLabel beamCentreNote_;

    QLabel tubeIcon_;
    QPushButton exitButton_;
};

}  // namespace tubeline
