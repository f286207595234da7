// Version of the program file: the version resource, the about dialog's text
// and the release package's name all read it from here, so that they cannot
// disagree. Plain preprocessor definitions, which the resource compiler reads too.
#pragma once

#define FOLVANE_VERSION_MAJOR 1
#define FOLVANE_VERSION_MINOR 2
#define FOLVANE_VERSION_RELEASE 0
#define FOLVANE_VERSION_BUILD 0
#define FOLVANE_VERSION_TEXT "1.2.0.0"
// As the about dialog shows it: major and minor.
#define FOLVANE_VERSION_SHORT_TEXT "1.2"
#define FOLVANE_PRODUCT_NAME "Folvane"
#define FOLVANE_COMPANY_NAME "Skelvor"
