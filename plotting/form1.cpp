// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "plotting/form1.h"

#include "platform/controls.h"
#include "platform/conversions.h"
#include "platform/form.h"
#include "platform/palette.h"
#include "platform/translation.h"
#include "plotting/colourlist.h"

namespace plotting {

using namespace platform;

Form1::Form1(Form& form)
    : txtx(form.textBox("txtx")), txty(form.textBox("txty")), Text3(form.textBox("Text3")),
      Combo1(form.comboBox("Combo1")), Picture1(form.pictureBox("Picture1"))
{
}

void Form1::Form_Load()
{
    // In the person's language; each entry keeps its leading colour number, which is what counts.
    for (const std::string_view entry : kColourList)
        Combo1.AddItem(translated("Form1", entry));
}

void Form1::Combo1_LostFocus()
{
    // Only the leading colour number counts: "7 White" gives 7, "14 Light Yellow" 14.
    colorIndex = roundToInt16(numberFromText(leftChars(Combo1.Text(), 2)));
}

void Form1::Text3_Change()
{
    Picture1.setDrawWidth(roundToInt16(numberFromText(Text3.Text(), kPenWidthUse), kPenWidthUse));
}

void Form1::cmdDraw_Click()
{
    const double x = numberFromText(txtx.Text(), kCoordinateUse);
    const double y = numberFromText(txty.Text(), kCoordinateUse);
    const ColourValue colour = paletteColor(colorIndex);
    const float singleX = narrowToSingle(x);
    const float singleY = narrowToSingle(y);
    Picture1.PSet(PictureBox::kAbsoluteWithColour, singleX, singleY, colour);
}

} // namespace plotting
