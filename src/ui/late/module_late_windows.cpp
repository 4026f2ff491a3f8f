#include "ui/late/module_late_windows.h"

#include <dlfcn.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/config/folders.h"
#include "core/text/messages.h"
#include "core/text/runtime_error.h"
#include "ui/late/module_entries.h"
#include "ui/platform/platform_services.h"

namespace castovin {

namespace {

// The module `file`, loaded from the first module folder that holds it.
void* LoadModule(const char* file)
{
    const std::vector<std::string> folders =
        ModuleFolders(CASTOVIN_MODULE_INSTALL_RELDIR, CASTOVIN_MODULE_BUILD_RELDIR);
    for (const std::string& folder : folders) {
        const std::string path = folder + "/" + file;
        if (::access(path.c_str(), F_OK) != 0)
            continue;
        // Never unloaded: the windows it makes run its code to the end.
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        if (handle == nullptr)
            throw RuntimeError(err::FileNotFound, "The module " + path + " cannot be loaded: " + ::dlerror());
        return handle;
    }
    throw RuntimeError(err::FileNotFound,
                       std::string("The module ") + file + " is not installed (looked in " + folders.front() + ")");
}

// The entry `entry` of the module `file`, loaded into `handle` the first time.
void* Entry(void*& handle, const char* file, const char* entry)
{
    if (handle == nullptr)
        handle = LoadModule(file);
    void* found = ::dlsym(handle, entry);
    if (found == nullptr)
        throw RuntimeError(err::FileNotFound, std::string("The module ") + file + " has no entry " + entry);
    return found;
}

}  // namespace

void ModuleLateWindows::OpenGraphWindow(Project& project, Environment& environment, Messenger& messenger,
                                        const WindowContext& context, int16_t graphIndex)
{
    void* open = Entry(m_graphs, "castovin-graphs.so", CASTOVIN_GRAPHS_ENTRY_NAME);
    reinterpret_cast<CastovinGraphsOpen>(open)(&project, &environment, &messenger, &context, graphIndex);
}

RiskCharts* ModuleLateWindows::MakeRiskCharts(QWidget* parent, const Project& project, const Environment& environment,
                                              Messenger& messenger, const WindowContext& context)
{
    void* make = Entry(m_graphs, "castovin-graphs.so", CASTOVIN_RISK_CHARTS_ENTRY_NAME);
    return reinterpret_cast<CastovinRiskCharts>(make)(parent, &project, &environment, &messenger, &context);
}

void ModuleLateWindows::ShowHelp(const Environment& env, PlatformServices& platform, HelpTopic topic, int number)
{
    // Help is asked for outside the run-time error trap (F1 comes from an
    // event filter), so a module that cannot be loaded is told here.
    void* show = nullptr;
    try {
        show = Entry(m_help, "castovin-help.so", CASTOVIN_HELP_ENTRY_NAME);
    } catch (const RuntimeError& error) {
        platform.Show(error.description(), MsgStyle(MsgIcon::Exclamation), "Help");
        return;
    }
    reinterpret_cast<CastovinHelpShow>(show)(&env, &platform, static_cast<int>(topic), number);
}

}  // namespace castovin
