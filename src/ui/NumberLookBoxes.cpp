#include "NumberLookBoxes.h"

#include "UncutText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

NumberLook NumberLookBoxes::look() const
{
    NumberLook look;
    look.format = NumberLook::Format(qBound(0, format->currentIndex(), int(NumberLook::Format::PDF417)));
    look.prefix = prefix->text();
    look.suffix = suffix->text();
    look.size = size->text();
    look.check = CheckDigits::Scheme(qBound(0, check->currentIndex(), int(CheckDigits::Scheme::Mod11Zero)));
    look.module = module->text();
    look.qrLevel = NumberLook::QrLevel(qBound(0, qrLevel->currentIndex(), int(NumberLook::QrLevel::H)));
    look.quietZone = quietZone->isChecked();
    look.codeInColor = codeInColor->isChecked();
    return look;
}

void NumberLookBoxes::show(const NumberLook &look) const
{
    format->setCurrentIndex(int(look.format));
    // A file may hold longer texts than the boxes take typed: they are kept whole.
    setTextUncut(prefix, look.prefix);
    setTextUncut(suffix, look.suffix);
    setTextUncut(size, look.size);
    check->setCurrentIndex(int(look.check));
    setTextUncut(module, look.module);
    qrLevel->setCurrentIndex(int(look.qrLevel));
    quietZone->setChecked(look.quietZone);
    codeInColor->setChecked(look.codeInColor);
}
