#pragma once

#include <QString>

// The maker's web page, opened by the banner and the sample strip: the
// address the build was given (TINTARO_HOME_PAGE), else the user guide
// installed with the program, else the one in the source tree, else the
// README; never an address that cannot load.
QString HomePage();
