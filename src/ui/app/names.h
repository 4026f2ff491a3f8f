#pragma once
// The objectNames of the windows and their controls, in one place. The same
// short name means different things in different windows ("Command1" is OK in
// the viewer and Cancel in the editors), so windows and tests use these
// constants, named after what the control does.

#include <QString>

namespace castovin::names {

// "stem_index", the name of one member of a control array.
inline QString Indexed(const char* stem, int index)
{
    return QString("%1_%2").arg(QLatin1String(stem)).arg(index);
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

// The cost editor (its input fields are named by the core's field table).
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

// The conversion dialog.
inline constexpr char ConvertUnitsFrame[] = "Frame1";
inline constexpr char ConvertFileFrame[] = "Frame3";
inline constexpr char ConvertUnits[] = "Option1";       // Indexed(ConvertUnits, 0..1)
inline constexpr char ConvertFileOption[] = "Option2";  // Indexed(ConvertFileOption, 0..1)
inline constexpr char ConvertRun[] = "Command2";
inline constexpr char ConvertCancel[] = "Command1";
inline constexpr char ConvertHelp[] = "Command3";

}  // namespace castovin::names
