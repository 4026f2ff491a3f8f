// Lines that scripts/check-file-opens must refuse (4 to 11) and lines it must
// let pass. This file is not compiled.
#include <fstream>
std::ifstream in(path);
std::ofstream out(path, std::ios::binary);
FILE* f = fopen(path.c_str(), "r");
const int fd = ::open(path.c_str(), O_RDONLY);
if (!file.open(QIODevice::ReadOnly))
QFile::copy(from, to);
QSettings settings(path, QSettings::IniFormat);
auto* engine = new QHelpEngine(path, this);
// std::ifstream in(path) in a comment opens nothing.
QHelpEngine* m_engine = nullptr;
HelpBrowser(QHelpEngine& engine, QWidget* parent);
const std::string text = ReadWholeFile(path);
platform.OpenDocument(path);
DIR* dir = ::opendir(folder.c_str());
