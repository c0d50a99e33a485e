#include "helpers/LocaleSeparators.h"

#include "helpers/AddonConstants.h"
#include "platform/os/System.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"

std::string currentListSeparator;
std::string currentDecimalSeparator;

namespace {

constexpr char kListSeparatorMessage[] =
    "You are using an user-defined List Separator selectable via the Windows 'Regional "
    "Options' Control Panel which unfortunately may cause the QAVSupportTools not to work "
    "correctly. Please readjust your settings.";
constexpr char kDecimalSeparatorMessage[] =
    "You are using an user-defined Decimal Separator selectable via the Windows 'Regional "
    "Options' Control Panel which unfortunately may cause the QAVSupportTools not to work "
    "correctly. Please readjust your settings.";

// The separator when it is one of the two accepted ones; otherwise the user is told and
// the fallback is used.
std::string acceptedSeparator(const std::string& separator, const char* first, const char* second,
                              const char* message, const char* fallback) {
    if (separator == first || separator == second) return separator;
    ui::Backend::current().messageBox(ui::WindowHandle(), message, productTitle,
                                      ui::kMbOk | ui::kMbIconStop);
    return fallback;
}

}  // namespace

void checkLocaleSeparators() {
    os::System& system = os::System::current();
    currentListSeparator =
        acceptedSeparator(system.listSeparator(), ",", ";", kListSeparatorMessage, ",");
    currentDecimalSeparator =
        acceptedSeparator(system.decimalSeparator(), ",", ".", kDecimalSeparatorMessage, ".");
}
