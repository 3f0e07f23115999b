#include "NumberLookBoxes.h"

#include "UncutText.h"

#include <QComboBox>
#include <QLineEdit>

NumberLook NumberLookBoxes::look() const
{
    NumberLook look;
    look.format = NumberLook::Format(qBound(0, format->currentIndex(), int(NumberLook::Format::DataMatrix)));
    look.prefix = prefix->text();
    look.suffix = suffix->text();
    look.size = size->text();
    return look;
}

void NumberLookBoxes::show(const NumberLook &look) const
{
    format->setCurrentIndex(int(look.format));
    // A file may hold longer texts than the boxes take typed: they are kept whole.
    setTextUncut(prefix, look.prefix);
    setTextUncut(suffix, look.suffix);
    setTextUncut(size, look.size);
}
