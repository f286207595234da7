// Version of the program file; the resource script and the about dialog both
// read it from here so that they cannot disagree.
#pragma once

#define FOLVANE_VERSION_MAJOR 1
#define FOLVANE_VERSION_MINOR 2
#define FOLVANE_VERSION_RELEASE 0
#define FOLVANE_VERSION_BUILD 0
#define FOLVANE_VERSION_TEXT "1.2.0.0"
#define FOLVANE_PRODUCT_NAME "Folvane"
#define FOLVANE_COMPANY_NAME "Skelvor"
