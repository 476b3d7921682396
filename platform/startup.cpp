// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/startup.h"

#include "platform/form.h"
#include "platform/translation.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace {

// What the toolkit says while it connects to the display, held until it is known whether that
// worked: without a display it all gives way to one plain line, otherwise it is passed on.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    std::string file;
    std::string function;
    int line;
    QString text;
};

class StartUpMessages {
public:
    explicit StartUpMessages(const char* program)
    {
        s_program = program;
        s_previous = qInstallMessageHandler(&StartUpMessages::hold);
    }
    ~StartUpMessages()
    {
        qInstallMessageHandler(s_previous);
        passOn();
    }
    StartUpMessages(const StartUpMessages&) = delete;
    StartUpMessages& operator=(const StartUpMessages&) = delete;

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg && text.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
            std::fprintf(stderr,
                         "%s: no display could be opened; name one with the DISPLAY or WAYLAND_DISPLAY "
                         "variable, or choose a platform with -platform.\n",
                         s_program);
            std::fflush(stderr);
            // At once: the toolkit is half set up, and nothing has been drawn that could be lost.
            std::_Exit(EXIT_FAILURE);
        }
        s_held.push_back({type, context.category ? context.category : "", context.file ? context.file : "",
                          context.function ? context.function : "", context.line, text});
        if (type == QtFatalMsg)
            passOn(); // the previous handler ends the program
    }

    static void passOn()
    {
        std::vector<HeldMessage> held;
        held.swap(s_held);
        for (const HeldMessage& message : held) {
            const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                             message.category.c_str());
            s_previous(message.type, context, message.text);
        }
    }

    static inline const char* s_program = "";
    static inline QtMessageHandler s_previous = nullptr;
    static inline std::vector<HeldMessage> s_held;
};

// On X11 another program can destroy the window outright, where a person would close it; the
// program then ends as if it had been closed, rather than going on with nothing on screen.
class WindowDestroyed : public QAbstractNativeEventFilter {
public:
    explicit WindowDestroyed(WId window) : m_window(window) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) == XCB_DESTROY_NOTIFY &&
            static_cast<const xcb_destroy_notify_event_t*>(message)->window == m_window)
            QCoreApplication::exit(0);
        return false;
    }

private:
    WId m_window;
};

const char* programName(int argc, char** argv)
{
    if (argc < 1 || !argv[0])
        return "drawdots";
    const char* slash = std::strrchr(argv[0], '/');
    return slash ? slash + 1 : argv[0];
}

// The entry's icon as built into the program: one square of RGBA pixels for each size, named
// by its size. Plain pixels, so that showing the window needs no icon theme, image decoder or
// SVG renderer before its first frame.
QIcon builtInIcon(const QString& applicationId)
{
    const QString folder = QStringLiteral(":/icons/%1/").arg(applicationId);
    QIcon icon;
    for (const QString& name : QDir(folder).entryList()) {
        const int size = name.toInt();
        const QByteArray pixels = QResource(folder + name).uncompressedData();
        if (pixels.size() == qsizetype(size) * size * 4)
            icon.addPixmap(QPixmap::fromImage(
                QImage(reinterpret_cast<const uchar*>(pixels.constData()), size, size, QImage::Format_RGBA8888)));
    }
    return icon;
}

} // namespace

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
        std::optional<StartUpMessages> startUp(std::in_place, programName(argc, argv));
        QApplication application(argc, argv);
        startUp.reset();
        // The window system matches the window with the desktop entry of this name.
        const auto id = QString::fromUtf8(project.applicationId.data(), qsizetype(project.applicationId.size()));
        QGuiApplication::setDesktopFileName(id);
        QApplication::setWindowIcon(builtInIcon(id));
        const Translations translations;
        Form form(entry->describe());
        const std::shared_ptr<void> program = entry->attach(form);
        form.load();
        form.show();
        std::optional<WindowDestroyed> destroyed;
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            application.installNativeEventFilter(&destroyed.emplace(form.widget()->winId()));
        status = QApplication::exec();
    }
    std::exit(status);
}

} // namespace platform
