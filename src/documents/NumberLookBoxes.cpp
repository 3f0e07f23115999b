#include "NumberLookBoxes.h"

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
    prefix->setText(look.prefix);
    suffix->setText(look.suffix);
    size->setText(look.size);
}
