#include "forms/Look.h"

namespace stumpcraft::look {

void Place(Control& c, Control& container, int left, int top, int width, int height)
{
    c.SetContainer(container);
    c.Move(left, top, width, height);
}

void Heading(
    Label& l, Control& container, int left, int top, int width, const char* text, Alignment align)
{
    Place(l, container, left, top, width, kHeadingHeight);
    l.Caption = text;
    l.ForeColor = kHeading;
    l.FontBold = true;
    l.TextAlign = align;
}

void Cell(Label& l, Control& container, Column column, int top, Alignment align)
{
    Place(l, container, column.left, top, column.width, kRowHeight);
    l.ForeColor = kChalk;
    l.TextAlign = align;
}

} // namespace stumpcraft::look
