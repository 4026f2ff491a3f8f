#pragma once
// The objectNames of the windows and their controls, in one place. The same
// short name means different things in different windows ("Command1" is OK in
// the viewer and Cancel in the editors), so windows and tests use these
// constants, named after what the control does.

#include <array>

#include <QString>

#include "core/editing/editor_fields.h"

namespace castovin::names {

// "stem_index", the name of one member of a control array.
inline QString Indexed(const char* stem, int index)
{
    return QString("%1_%2").arg(QLatin1String(stem)).arg(index);
}

// The caption beside an entry field: "lbl" and the field's name without its
// three-letter kind, so "txtCMRR" has "lblCMRR" beside it.
inline QString CaptionOf(const QString& field)
{
    return "lbl" + field.mid(3);
}

// Windows.
inline constexpr char MainWindow[] = "frmMain";
inline constexpr char ResultsViewer[] = "frmResTxtPlt";
inline constexpr char Preview[] = "frmPreview";
inline constexpr char DescriptionEditor[] = "frmVELBDesc";
inline constexpr char ParametersEditor[] = "frmVELBParm";
inline constexpr char CostEditor[] = "frmVELBCost";
inline constexpr char OptionsEditor[] = "frmVELBOpts";
inline constexpr char ConvertDialog[] = "frmConvert";

// The main window: menus (items are Indexed(stem, i)), toolbar, pane.
inline constexpr char FileMenu[] = "mnuFile";
inline constexpr char FileItem[] = "mnuFileItem";
inline constexpr char FileArray[] = "mnuFileArray";
inline constexpr char EditMenu[] = "mnuEdit";
inline constexpr char EditItem[] = "mnuEditItem";
inline constexpr char CalcMenu[] = "mnuCalc";
inline constexpr char CalcItem[] = "mnuCalcItem";
inline constexpr char GraphItem[] = "mnuCalcGrafItem";
inline constexpr char UtilMenu[] = "mnuUtil";
inline constexpr char UtilItem[] = "mnuUtilItem";
inline constexpr char HelpMenu[] = "mnuHelp";
inline constexpr char HelpItem[] = "mnuHelpItem";
inline constexpr char Toolbar[] = "Toolbar1";  // buttons are Indexed(Toolbar, 1..6)
inline constexpr char CentralArea[] = "centralArea";
inline constexpr char VersionLabel[] = "lblver";
inline constexpr char Logo[] = "Picture1";
inline constexpr char HistoryPane[] = "txtMain";
// The main window's menu items by what they do. Their objectNames are the
// positions in the menu tables (separators count), so these follow the
// tables of main/main_menus.cpp.
inline constexpr char FileNewItem[] = "mnuFileItem_0";
inline constexpr char FileOpenItem[] = "mnuFileItem_1";
inline constexpr char FileSaveItem[] = "mnuFileItem_2";
inline constexpr char FileSaveAsItem[] = "mnuFileItem_3";
inline constexpr char FilePrinterSetupItem[] = "mnuFileItem_5";
inline constexpr char FilePrintItem[] = "mnuFileItem_6";
inline constexpr char FilePrintPreviewItem[] = "mnuFileItem_7";
inline constexpr char FileViewSourceItem[] = "mnuFileItem_9";
inline constexpr char FileExitItem[] = "mnuFileItem_11";
inline constexpr char InputDescriptionItem[] = "mnuEditItem_0";
inline constexpr char InputParametersItem[] = "mnuEditItem_1";
inline constexpr char InputCostItem[] = "mnuEditItem_2";
inline constexpr char OutputDesignItem[] = "mnuCalcItem_0";
inline constexpr char OutputCostItem[] = "mnuCalcItem_1";
inline constexpr char OutputGraphCMRRItem[] = "mnuCalcGrafItem_0";
inline constexpr char OutputGraphDepthItem[] = "mnuCalcGrafItem_1";
inline constexpr char OutputGraphStabilityFactorItem[] = "mnuCalcGrafItem_2";
inline constexpr char OutputGraphSpanItem[] = "mnuCalcGrafItem_3";
inline constexpr char UtilSettingsItem[] = "mnuUtilItem_0";
inline constexpr char UtilOptionsItem[] = "mnuUtilItem_1";
inline constexpr char UtilUnitConversionItem[] = "mnuUtilItem_2";
inline constexpr char UtilFileConversionItem[] = "mnuUtilItem_3";
inline constexpr char UtilClearHistoryItem[] = "mnuUtilItem_5";
inline constexpr char UtilToggleHistoryItem[] = "mnuUtilItem_6";
inline constexpr char UtilCopyHistoryItem[] = "mnuUtilItem_7";
inline constexpr char UtilDesignSearchItem[] = "mnuUtilItem_8";
inline constexpr char UtilProbabilisticItem[] = "mnuUtilItem_9";
inline constexpr char HelpContentsItem[] = "mnuHelpItem_0";
inline constexpr char HelpIndexItem[] = "mnuHelpItem_1";
inline constexpr char HelpPdfItem[] = "mnuHelpItem_2";
inline constexpr char HelpResourceFilesItem[] = "mnuHelpItem_4";
inline constexpr char HelpDisclaimerItem[] = "mnuHelpItem_6";
inline constexpr char HelpUpdatesItem[] = "mnuHelpItem_8";
inline constexpr char HelpAboutItem[] = "mnuHelpItem_10";

// The results viewer and the preview.
inline constexpr char ReportPane[] = "RichTextBox1";
inline constexpr char ViewerOk[] = "Command1";
inline constexpr char ViewerCopyPage[] = "Command2";
inline constexpr char ViewerPrintPage[] = "Command3";
inline constexpr char ViewerNext[] = "Command4";
inline constexpr char ViewerPrevious[] = "Command5";
inline constexpr char ViewerPrintAll[] = "Command6";
inline constexpr char ViewerCopyAll[] = "Command7";
inline constexpr char ViewerHelp[] = "Command8";
inline constexpr char ViewerChangeInput[] = "cmdChangeInput";
inline constexpr char ViewerPlots[] = "Command9";
inline constexpr char PreviewOk[] = "Command1";
inline constexpr char PreviewCopy[] = "Command2";
inline constexpr char PreviewPrint[] = "Command3";
inline constexpr char PreviewHelp[] = "Command8";

// The buttons the editors and the conversion dialog share.
inline constexpr char EditorOk[] = "Command2";
inline constexpr char EditorCancel[] = "Command1";
inline constexpr char EditorHelp[] = "Command3";
inline constexpr char EditorCopyClip[] = "Command5";
inline constexpr char EditorResults[] = "cmdresults";

// The description editor.
inline constexpr char DescriptionTitle[] = "Text1";
inline constexpr char DescriptionText[] = "Text2";
inline constexpr char DescriptionUnits[] = "Option1";  // Indexed(DescriptionUnits, 0..1)
inline constexpr char DescriptionNextForm[] = "Command4";

// The parameters editor (the fields of a support system end in "_0"/"_1").
inline constexpr char ParmTabs[] = "SSTab1";
inline constexpr char ParmCMRR[] = "txtCMRR";
inline constexpr char ParmDepth[] = "txtDepthofCover";
inline constexpr char ParmUnitWeight[] = "txtUnitWeight";
inline constexpr char ParmSpan[] = "txtActualSpan";
inline constexpr char ParmEntryWidth[] = "txtEntryWidth";
inline constexpr char ParmStabilityFactor[] = "txtStabilityFactor";
inline constexpr char ParmNoSup[] = "cmbNoSup";
inline constexpr char ParmSystem[] = "cmbSystem";
inline constexpr char ParmLocation[] = "cmbLocation";
inline constexpr char ParmBoltLength[] = "txtActualBoltLength";
inline constexpr char ParmDiameter[] = "txtBoltDiameter";
inline constexpr char ParmGrade[] = "cmbBoltGrade";
inline constexpr char ParmBoltsPerRow[] = "txtBoltsperRow";
inline constexpr char ParmRowSpacing[] = "txtRowSpacing";
inline constexpr char ParmBoltsInter[] = "txtBoltsInter";
inline constexpr char ParmCableCapacity[] = "txtCableBoltCap";
inline constexpr char ParmTabPage[] = "SSTab1_page";  // + 0..1
inline constexpr char ParmSystemLabel[] = "lblSecondSystem";
inline constexpr char ParmLocationLabel[] = "lblSecondLocation";

// The cost editor: its input fields, one per CostField in its order.
inline constexpr std::array<const char*, CostFieldCount> CostFields = {
    "txtBoltCost",    "txtPlateCost",       "txtResinCost",  "txtBitCost",     "txtHeaderCost", "txtStrapCost",
    "txtnboltsShift", "txtnBoltsRow",       "txtRowSpacing", "txtnOperShift",  "txtTotalLabor", "txtHoursShift",
    "txtMaintainHrs", "txtMaintainCost",    "txtTranspCost", "txtCapitalCost", "txtYearsDepr",  "txtAdvanceShift",
    "txtAdvanceRate", "txtCleanProduction", "txtShiftsWeek", "txtWeeksYear",
};
inline const char* Of(CostField field)
{
    return CostFields[CostFieldIndex(field)];
}
inline constexpr char CostAdvanceCalc[] = "txtAdvanceShiftCalc";
inline constexpr char CostProductionCalc[] = "txtCleanProductionCalc";
inline constexpr char CostUseAdvance[] = "chkAdvance";
inline constexpr char CostUseProduction[] = "chkProduction";

// The options editor.
inline constexpr char OptionsTabs[] = "SSTab1";
inline constexpr char OptionsLoadInputForm[] = "Check1";
inline constexpr char OptionsChildWindow[] = "Check2";
inline constexpr char OptionsPrintHeader[] = "Check3";
inline constexpr char OptionsSkipExportQuestion[] = "chkOffice";
inline constexpr char OptionsFileAssociation[] = "cmdFileAssoc";
inline constexpr char OptionsGradeList[] = "lstBoltGrade";  // Indexed(OptionsGradeList, 0..3)
inline constexpr char OptionsGradeItem[] = "txtItem";       // Indexed(OptionsGradeItem, page)
inline constexpr char OptionsAdd[] = "cmdAdd";
inline constexpr char OptionsDelete[] = "cmdDelete";
inline constexpr char OptionsSetDefault[] = "cmdSetDefault";
inline constexpr char OptionsEnglishSet[] = "optEng";  // Indexed(OptionsEnglishSet, 0..1)
inline constexpr char OptionsMetricSet[] = "optMet";   // Indexed(OptionsMetricSet, 0..1)
// The default inputs of a tab (Indexed(field, page)).
inline constexpr char OptionsCMRR[] = "txtCMRR";
inline constexpr char OptionsDepth[] = "txtDepthofCover";
inline constexpr char OptionsUnitWeight[] = "txtUnitWeight";
inline constexpr char OptionsStabilityFactor[] = "txtStabilityFactor";
inline constexpr char OptionsBoltLength[] = "txtActualBoltLength";
inline constexpr char OptionsDiameter[] = "txtBoltDiameter";
inline constexpr char OptionsGrade[] = "txtBoltGrade";
inline constexpr char OptionsBoltsPerRow[] = "txtBoltsperRow";
inline constexpr char OptionsRowSpacing[] = "txtRowSpacing";
inline constexpr char OptionsSpan[] = "txtActualSpan";
inline constexpr char OptionsEntryWidth[] = "txtEntryWidth";
// The stem of a default-input field, Indexed by the page (0 English, 1 metric).
inline const char* StemOf(OptionsField field)
{
    switch (field) {
    case OptionsField::CMRR:
        return OptionsCMRR;
    case OptionsField::DepthofCover:
        return OptionsDepth;
    case OptionsField::UnitWeight:
        return OptionsUnitWeight;
    case OptionsField::StabilityFactor:
        return OptionsStabilityFactor;
    case OptionsField::ActualBoltLength:
        return OptionsBoltLength;
    case OptionsField::BoltDiameter:
        return OptionsDiameter;
    case OptionsField::BoltGrade:
        return OptionsGrade;
    case OptionsField::BoltsperRow:
        return OptionsBoltsPerRow;
    case OptionsField::RowSpacing:
        return OptionsRowSpacing;
    case OptionsField::ActualSpan:
        return OptionsSpan;
    case OptionsField::EntryWidth:
        return OptionsEntryWidth;
    case OptionsField::None:
        break;
    }
    return "";
}

// The conversion dialog.
inline constexpr char ConvertUnitsFrame[] = "Frame1";
inline constexpr char ConvertFileFrame[] = "Frame3";
inline constexpr char ConvertUnits[] = "Option1";       // Indexed(ConvertUnits, 0..1)
inline constexpr char ConvertFileOption[] = "Option2";  // Indexed(ConvertFileOption, 0..1)
inline constexpr char ConvertRun[] = "Command2";
inline constexpr char ConvertCancel[] = "Command1";
inline constexpr char ConvertHelp[] = "Command3";

// The settings dialog.
inline constexpr char SettingsDialog[] = "frmSet";
inline constexpr char SettingsUnits[] = "optUnits";  // Indexed(SettingsUnits, 0 English, 1 Metric)
inline constexpr char SettingsDataPath[] = "Text2";
inline constexpr char SettingsSetPath[] = "cmdSetPath";
inline constexpr char SettingsExtension[] = "Text1";
inline constexpr char SettingsViewer[] = "Text4";
inline constexpr char SettingsSelectViewer[] = "cmdSelect";
inline constexpr char SettingsDefaultViewer[] = "cmdSetDefault";
inline constexpr char SettingsDisplayHistory[] = "chkDispHist";
inline constexpr char SettingsHistorySize[] = "Text3";
inline constexpr char SettingsHistoryFont[] = "Command5";
inline constexpr char SettingsKeepRecent[] = "chkKeepRecentFL";
inline constexpr char SettingsShortNames[] = "chkShortNames";
inline constexpr char SettingsShowDisclaimer[] = "chkShowDiscl";
inline constexpr char SettingsMaxMenu[] = "chkMaxMenu";
inline constexpr char SettingsEnableToolbar[] = "chkEnableTB";
inline constexpr char SettingsLoadLast[] = "chkLoadLastInputFile";
inline constexpr char SettingsUpdate[] = "chkUpdate";
inline constexpr char SettingsCopyExamples[] = "chkCopyExamples";
inline constexpr char SettingsOk[] = "cmdOK";
inline constexpr char SettingsCancel[] = "cmdCancel";
inline constexpr char SettingsHelp[] = "cmdHelp";
// The box of a settings field; empty for None.
inline const char* Of(SettingsField field)
{
    switch (field) {
    case SettingsField::DataPath:
        return SettingsDataPath;
    case SettingsField::FileExtension:
        return SettingsExtension;
    case SettingsField::ExternalEditor:
        return SettingsViewer;
    case SettingsField::None:
        break;
    }
    return "";
}

// The path dialog.
inline constexpr char PathDialog[] = "frmPath";
inline constexpr char PathOptions[] = "Option1";  // Indexed: 0 data, 1 program, 2 edited, 3 temporary
inline constexpr char PathPlaces[] = "Drive1";
inline constexpr char PathFolders[] = "Dir1";
inline constexpr char PathOk[] = "Command2";
inline constexpr char PathCancel[] = "Command1";
inline constexpr char PathHelp[] = "Command3";

// The text file browser.
inline constexpr char BrowserWindow[] = "frmTextBrow";
inline constexpr char BrowserPlaces[] = "Drive1";
inline constexpr char BrowserFolders[] = "Dir1";
inline constexpr char BrowserFiles[] = "File1";
inline constexpr char BrowserPattern[] = "Text2";
inline constexpr char BrowserCurrentFile[] = "Label1";
inline constexpr char BrowserPane[] = "RichTextBox1";
inline constexpr char BrowserUseViewer[] = "Check1";
inline constexpr char BrowserSetFont[] = "cmdSetFont";
inline constexpr char BrowserOk[] = "Command1";

// The graph window.
inline constexpr char GraphWindow[] = "frmGraph";
inline constexpr char GraphChart[] = "graph1";
inline constexpr char GraphPointFrame[] = "Frame1";
inline constexpr char GraphXCaption[] = "Label1";
inline constexpr char GraphXValue[] = "lblX";
inline constexpr char GraphYCaption[] = "Label3";
inline constexpr char GraphYValue[] = "lblSF";
inline constexpr char GraphCurveCaption[] = "Label5";
inline constexpr char GraphCurve[] = "lblCurve";
inline constexpr char GraphFileMenu[] = "GraphFile";
inline constexpr char GraphFileItem[] = "GraphFileItem";  // Indexed: 0 Print, 2 Export, 4 Exit
inline constexpr char GraphEditMenu[] = "GraphEdit";
inline constexpr char GraphEditItem[] = "GraphEditItem";  // Indexed: 0 Copy
inline constexpr char GraphOptionsMenu[] = "GraphOptions";
inline constexpr char GraphOptionsItem[] = "GraphOptionsItem";  // Indexed: 0 Point ID, 1 Basic Options
// The graph window's menu items by what they do.
inline constexpr char GraphPrintItem[] = "GraphFileItem_0";
inline constexpr char GraphExportItem[] = "GraphFileItem_2";
inline constexpr char GraphExitItem[] = "GraphFileItem_4";
inline constexpr char GraphCopyItem[] = "GraphEditItem_0";
inline constexpr char GraphPointIdItem[] = "GraphOptionsItem_0";
inline constexpr char GraphBasicOptionsItem[] = "GraphOptionsItem_1";

// The graph options dialog.
inline constexpr char GraphOptionsDialog[] = "frmGraphOpt";
inline constexpr char GraphOptBasicFrame[] = "Frame1";
inline constexpr char GraphOptTitle[] = "Text1";
inline constexpr char GraphOptXTitle[] = "Text2";  // Indexed(GraphOptXTitle, graph 0..3)
inline constexpr char GraphOptYTitle[] = "Text3";
inline constexpr char GraphOptGrid[] = "Combo1";
inline constexpr char GraphOptStyle[] = "Combo2";
inline constexpr char GraphOptLegend[] = "Check1";
inline constexpr char GraphOptSizeLabel[] = "Label1";
inline constexpr char GraphOptSize[] = "HScroll1";
inline constexpr char GraphOptSizeText[] = "txtSS";
inline constexpr char GraphOptChoiceFrame[] = "Frame2";
inline constexpr char GraphOptChoice[] = "Option1";  // Indexed: 0 default format, 1 last used
inline constexpr char GraphOptOk[] = "Command2";
inline constexpr char GraphOptCancel[] = "Command1";
inline constexpr char GraphOptHelp[] = "Command3";

// The design search window.
inline constexpr char SearchWindow[] = "frmDesignSearch";
inline constexpr char SearchPriceTable[] = "tblPrices";
inline constexpr char SearchAddRow[] = "cmdAddRow";
inline constexpr char SearchDeleteRow[] = "cmdDeleteRow";
inline constexpr char SearchLoadPrices[] = "cmdLoadPrices";
inline constexpr char SearchSavePrices[] = "cmdSavePrices";
inline constexpr char SearchBoltsMin[] = "txtBoltsMin";
inline constexpr char SearchBoltsMax[] = "txtBoltsMax";
inline constexpr char SearchSpacingMin[] = "txtSpacingMin";
inline constexpr char SearchSpacingMax[] = "txtSpacingMax";
inline constexpr char SearchSpacingStep[] = "txtSpacingStep";
// The search at a reliability: its minimum P(pass) and the study it uses.
inline constexpr char SearchMinProbability[] = "txtMinProbability";
inline constexpr char SearchStudy[] = "lblStudy";
inline constexpr char SearchRun[] = "cmdSearch";
inline constexpr char SearchResultTable[] = "tblResults";
inline constexpr char SearchSummary[] = "lblSummary";
inline constexpr char SearchProgress[] = "prgSearch";
inline constexpr char SearchCancel[] = "cmdCancelSearch";
inline constexpr char SearchResults[] = "cmdResults";
inline constexpr char SearchApply[] = "cmdApply";
inline constexpr char SearchClose[] = "cmdClose";
inline constexpr char SearchHelp[] = "cmdHelp";

// The probabilistic analysis window; the distribution of input row r is
// Indexed(RiskDistribution, r).
inline constexpr char RiskWindow[] = "frmProbabilistic";
inline constexpr char RiskInputs[] = "tblRiskInputs";
inline constexpr char RiskDistribution[] = "cboDistribution";
inline constexpr char RiskMethod[] = "cboSamplingMethod";
inline constexpr char RiskSamples[] = "txtSamples";
inline constexpr char RiskSeed[] = "txtSeed";
inline constexpr char RiskRun[] = "cmdRun";
inline constexpr char RiskCancel[] = "cmdCancelRun";
inline constexpr char RiskProgress[] = "prgRun";
inline constexpr char RiskResults[] = "txtRiskResults";
inline constexpr char RiskReport[] = "cmdReport";
inline constexpr char RiskSaveStudy[] = "cmdSaveStudy";
inline constexpr char RiskOpenStudy[] = "cmdOpenStudy";
inline constexpr char RiskExportSamples[] = "cmdExportSamples";
inline constexpr char RiskClose[] = "cmdClose";
inline constexpr char RiskHelp[] = "cmdHelp";
// The results' tabs (the text, then the charts), the chart of kind k as
// Indexed(RiskChart, k) and its line of pointed values as
// Indexed(RiskPointed, k), and the buttons that act on the chart shown.
inline constexpr char RiskResultTabs[] = "tabRiskResults";
inline constexpr char RiskChart[] = "chtRisk";
inline constexpr char RiskPointed[] = "lblRiskPointed";
inline constexpr char RiskCopyChart[] = "cmdCopyChart";
inline constexpr char RiskPrintChart[] = "cmdPrintChart";

// The help window.
inline constexpr char HelpWindow[] = "frmHelp";
inline constexpr char HelpContents[] = "helpContents";
inline constexpr char HelpIndex[] = "helpIndex";
inline constexpr char HelpPanes[] = "helpPanes";
inline constexpr char HelpBrowser[] = "helpBrowser";
inline constexpr char HelpBack[] = "helpBack";
inline constexpr char HelpForward[] = "helpForward";
inline constexpr char HelpPrint[] = "helpPrint";
inline constexpr char HelpSearchField[] = "helpSearchField";
inline constexpr char HelpSearchResults[] = "helpSearchResults";

// The reference sheets, the disclaimer and the annual reminder.
inline constexpr char ResourceDialog[] = "frmResource";
inline constexpr char ResourceButton[] = "cmdView";  // Indexed(ResourceButton, 0..5)
inline constexpr char ResourceOk[] = "Command1";
inline constexpr char DisclaimerDialog[] = "frmDisclaimer";
inline constexpr char DisclaimerLabel[] = "lblDisclaimer";
inline constexpr char UpdateDialog[] = "frmUpdate";
inline constexpr char UpdateLabel[] = "lblUpdate";
inline constexpr char UpdateUrl[] = "lblURL";
inline constexpr char UpdateUrlBox[] = "Picture1";
inline constexpr char UpdateUrlCaption[] = "Label2";
inline constexpr char UpdateInfo[] = "lblInfo";
// Shared by the disclaimer and the reminder.
inline constexpr char NoticeDontShowAgain[] = "chkShow";
inline constexpr char NoticeOk[] = "Command1";
inline constexpr char NoticeHelp[] = "Command3";

// The unit calculator. Its tabs, in order Length, Load, Load Grad, Stress and
// Stress Grad, each have a frame (CalculatorFrame + tab number from 1), an
// input box, unit options (Indexed(options, unit)) and one result box per
// unit (CalculatorResult + number; 0 past the last unit).
inline constexpr char UnitCalculator[] = "frmUnits";
inline constexpr char UnitTabs[] = "SSTab1";
inline constexpr char CalculatorFrame[] = "Frame";
inline constexpr char CalculatorResult[] = "Text";
inline constexpr char CalculatorOk[] = "Command1";
inline constexpr char CalculatorHelp[] = "Command3";
struct CalculatorTabNames {
    const char* input;
    const char* options;
    std::array<int, 5> results;
};
inline constexpr std::array<CalculatorTabNames, 5> CalculatorTabs = {{
    {"txtLength", "Option2", {7, 8, 9, 10, 0}},
    {"txtLoad", "Option5", {21, 22, 23, 24, 25}},
    {"txtLoadGrad", "Option4", {17, 18, 19, 20, 0}},
    {"txtStress", "Option1", {2, 3, 4, 5, 6}},
    {"txtStressGrad", "Option3", {12, 13, 14, 15, 0}},
}};

}  // namespace castovin::names
