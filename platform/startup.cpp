// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/startup.h"

#include "platform/form.h"

#include <QApplication>
#include <QIcon>
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
        // The window system matches the window with the desktop entry of this name. Its icon
        // is the entry's: the one installed in the icon theme, or the copy built into the
        // program where none is.
        const auto id = QString::fromUtf8(project.applicationId.data(), qsizetype(project.applicationId.size()));
        QGuiApplication::setDesktopFileName(id);
        QApplication::setWindowIcon(QIcon::fromTheme(id, QIcon(QStringLiteral(":/icons/%1.svg").arg(id))));
        Form form(entry->describe());
        const std::shared_ptr<void> program = entry->attach(form);
        form.load();
        form.show();
        status = QApplication::exec();
    }
    std::exit(status);
}

} // namespace platform
