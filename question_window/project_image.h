// The program's read-only project image, built into the executable from
// window_description.txt and project_names.txt. Its first byte is the
// project header that the process entry hands to the runtime.
#pragma once

extern "C" const unsigned char tovrane_project_image[];
