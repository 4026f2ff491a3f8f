#pragma once
// The program's commands by name. The menus and the toolbar map onto them,
// windows ask the main window to run them (Change Input opens an editor,
// Next Form the parameters editor), and a command tells how it ended.

namespace castovin {

enum class Command {
    // File
    New,
    Open,
    Save,
    SaveAs,
    PrinterSetup,
    Print,        // with the print dialog
    PrintDirect,  // the toolbar's button: straight to the current printer
    PrintPreview,
    ViewSourceFiles,
    Exit,
    // Input
    EditDescription,
    EditParameters,
    EditCost,
    // Output
    DesignOutput,
    CostOutput,
    GraphCMRR,
    GraphDepth,
    GraphStabilityFactor,
    GraphSpan,
    // Utilities
    Settings,
    Options,
    UnitConversion,
    FileConversion,
    ClearHistory,
    ToggleHistory,
    CopyHistory,
    DesignSearch,
    ProbabilisticAnalysis,
    // Help
    HelpContents,
    HelpIndex,
    HelpPdf,
    ResourceFiles,
    Disclaimer,
    ProgramUpdates,
    About,
};

// How a command ended. A dialog the user cancelled is an ordinary ending,
// not an error.
enum class CommandResult {
    Done,
    Cancelled,    // the user cancelled a dialog or a question
    Failed,       // a run-time error ended it (already reported)
    NotAvailable  // the command has nothing to do now (disabled, empty project)
};

}  // namespace castovin
