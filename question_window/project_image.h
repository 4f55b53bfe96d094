// The project image that the build lays out from window_description.txt and
// project_names.txt; it starts with the project header.
#pragma once

extern "C" const unsigned char tovrane_project_image[];
