// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/startup.h"
#include "window/form1window.h"

int main(int argc, char** argv)
{
    platform::startProgram(argc, argv, window::kProject);
}
