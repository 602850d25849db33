// The page's pictures folder: a folder of its own file system, from which each screenshot is
// handed to the browser as a download; the files stay, so that the next one takes the next name.
#include "platform/PicturesFolder.h"

#include <sys/stat.h>

std::string picturesFolder()
{
    mkdir("/pictures", 0755);
    return "/pictures";
}
