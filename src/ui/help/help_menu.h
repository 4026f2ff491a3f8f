#pragma once
// The main window's Help menu (items 0 "Help &Contents..." to 10 "&About the
// Program...") and the dialog of the six reference sheets.

#include <array>

#include <QDialog>
#include <QString>

namespace castovin {

struct Environment;
struct Messenger;
class PlatformServices;

// A reference sheet: the PDF file in the data folder and its button's title.
struct ResourceDocument {
    const char* file;
    const char* title;
};

// The six sheets, in button order (left column top to bottom, then right).
inline constexpr std::array<ResourceDocument, 6> ResourceDocuments = {{
    {"velb-method.pdf", "The VELB Design Method at a Glance"},
    {"bolt-capacity.pdf", "Bolt Capacity for Common Diameters and Grades"},
    {"second-system.pdf", "Second-System Capacity and Rock Load Height"},
    {"cost-model.pdf", "The Cost Model of Roof Bolting"},
    {"unit-factors.pdf", "Unit Conversion Factors"},
    {"example-projects.pdf", "The Four Example Projects Worked Through"},
}};

// The manual as one PDF document.
inline constexpr const char* PdfManualName = "VELB.PDF";

// The folder of the help files, the manual and the sheets (ends with the
// separator; empty when the program cannot find its data).
QString HelpFolder(const Environment& environment);

// frmResource, "Resource Files": one button per sheet and "OK".
class ResourceDialog : public QDialog {
    Q_OBJECT

public:
    ResourceDialog(const Environment& environment, PlatformServices& platform);
    // cmdView(i): opens sheet i with the desktop's PDF viewer.
    void ViewDocument(int index);

private:
    const Environment& m_environment;
    PlatformServices& m_platform;
};

// Help > "Help in &PDF format...".
void OpenPdfManual(const Environment& environment, Messenger& messenger, PlatformServices& platform);
// Help > "&About the Program...": the about box.
void ShowAboutBox(const Environment& environment, PlatformServices& platform);
// Performs Help menu item `index`.
void HelpMenuCommand(int index, Environment& environment, Messenger& messenger, PlatformServices& platform,
                     QWidget* owner);

}  // namespace castovin
