#include "platform/startup.h"
#include "window/form1window.h"

int main(int argc, char** argv)
{
    platform::startProgram(argc, argv, window::kProject);
}
