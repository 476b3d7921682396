// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/startup.h"

#include "platform/form.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace platform {

void startProgram(int& argc, char** argv, const ProjectDescription& project)
{
    const auto entry = std::find_if(project.forms.begin(), project.forms.end(),
                                    [&](const FormEntry& form) { return form.name == project.startUpObject; });
    if (entry == project.forms.end()) {
        std::fprintf(stderr, "The program has no window named %.*s to start with.\n",
                     static_cast<int>(project.startUpObject.size()), project.startUpObject.data());
        std::exit(EXIT_FAILURE);
    }

    int status = 0;
    {
        QApplication application(argc, argv);
        Form form(entry->describe());
        const std::shared_ptr<void> program = entry->attach(form);
        form.load();
        form.show();
        status = QApplication::exec();
    }
    std::exit(status);
}

} // namespace platform
