// The page's executable: its data files are preloaded into /bin, which a program at
// /web/halvane finds as the bin/ beside its folder.
#include "platform/ExecutablePath.h"

std::string executablePath()
{
    return "/web/halvane";
}
