#include "project_image.h"
#include "startup.h"

int main() { ThunRTMain(tovrane_project_image); }
