// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "window/form1window.h"

#include "picture/picturemenu.h"
#include "picture/recovery.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/palette.h"
#include "platform/translation.h"
#include "plotting/colourlist.h"
#include "plotting/form1.h"
#include "pointing/pointpicker.h"
#include "window/storedrecord.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace window {

namespace {

// A colour as the colour list names it in the person's language, such as "4 Red".
QString colourName(platform::ColourValue colour)
{
    for (std::int16_t number = 0; const std::string_view entry : plotting::kColourList) {
        if (platform::paletteColor(number++) == colour)
            return QString::fromStdString(platform::translated("Form1", entry));
    }
    return QStringLiteral("#%1").arg(colour, 6, 16, QLatin1Char('0'));
}

} // namespace

std::shared_ptr<void> attachForm1(platform::Form& form)
{
    auto form1 = std::make_shared<plotting::Form1>(form);
    plotting::Form1* handlers = form1.get();
    form.onLoad([handlers] { handlers->Form_Load(); });
    form.comboBox("Combo1").onLostFocus([handlers] { handlers->Combo1_LostFocus(); });
    form.textBox("Text3").onChange([handlers] { handlers->Text3_Change(); });
    form.commandButton("cmdDraw").onClick([handlers] { handlers->cmdDraw_Click(); });
    // The colour list has no label beside it to name it.
    form.setAccessibleName("Combo1", "Colour");
    // What a person does with the picture, from the drawing area's own menu; it lives as long as the area.
    new picture::PictureMenu(form.pictureBox("Picture1").surface());
    // Pointing at the drawing area picks the point Draw plots at; after the menu, whose help it adds to.
    new pointing::PointPicker(form.pictureBox("Picture1").surface(), form.textBox("txtx"), form.textBox("txty"),
                              form.commandButton("cmdDraw"), &colourName);
    return form1;
}

std::shared_ptr<void> startForm1(platform::Form& form)
{
    std::shared_ptr<void> form1 = attachForm1(form);
    // What the toolkit leaves of the command line after its own options: the file to open.
    picture::attachToProgram(form.pictureBox("Picture1").surface(), QCoreApplication::arguments().mid(1));
    return form1;
}

namespace {
constexpr std::array kForms{platform::FormEntry{"Form1", &form1Description, &startForm1}};
}

const platform::ProjectDescription kProject{"Form1", kForms, DRAWDOTS_APP_ID};

} // namespace window
