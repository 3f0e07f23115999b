#include "NumberLook.h"

namespace {

struct FormatName
{
    NumberLook::Format format;
    const char16_t *key;
};
constexpr FormatName kFormats[] = {
    {NumberLook::Format::Text, u"Texto"},      {NumberLook::Format::QR, u"QR"},
    {NumberLook::Format::Code128, u"Code128"}, {NumberLook::Format::DataMatrix, u"DataMatrix"},
    {NumberLook::Format::EAN13, u"EAN13"},     {NumberLook::Format::UPCA, u"UPCA"},
    {NumberLook::Format::Code39, u"Code39"},   {NumberLook::Format::ITF, u"ITF"},
    {NumberLook::Format::PDF417, u"PDF417"},
};

constexpr char16_t kLevels[] = u"LMQH";

} // namespace

bool NumberLook::isLinear() const
{
    return format == Format::Code128 || format == Format::EAN13 || format == Format::UPCA ||
           format == Format::Code39 || format == Format::ITF;
}

QString NumberLook::formatKey(Format format)
{
    for (const FormatName &f : kFormats)
        if (f.format == format)
            return QString::fromUtf16(f.key);
    return QString::fromUtf16(kFormats[0].key);
}

NumberLook::Format NumberLook::formatFromKey(const QString &key)
{
    const QString word = key.trimmed();
    for (const FormatName &f : kFormats)
        if (word.compare(QString::fromUtf16(f.key), Qt::CaseInsensitive) == 0)
            return f.format;
    return Format::Text;
}

QString NumberLook::qrLevelKey(QrLevel level)
{
    return QString(QChar(kLevels[int(level)]));
}

NumberLook::QrLevel NumberLook::qrLevelFromKey(const QString &key)
{
    const QString word = key.trimmed().toUpper();
    for (int i = 0; i < 4; ++i)
        if (word == QChar(kLevels[i]))
            return QrLevel(i);
    return QrLevel::M;
}

QString NumberLook::storedSize() const
{
    return QString(size).replace(u',', u'.').trimmed();
}

QString NumberLook::storedModule() const
{
    return QString(module).replace(u',', u'.').trimmed();
}

const CodeSymbols::Symbol &CodeCache::symbol(CodeSymbols::Kind kind, const CodeSymbols::Options &options,
                                             const QString &text)
{
    for (const Entry &e : m_entries)
        if (e.kind == kind && e.options == options && e.text == text)
            return e.symbol;
    Entry entry{kind, options, text, m_encoder.encode(kind, text, options)};
    if (m_entries.size() < kEntries) {
        m_entries.push_back(std::move(entry));
        return m_entries.back().symbol;
    }
    Entry &slot = m_entries[m_next];
    m_next = (m_next + 1) % kEntries;
    slot = std::move(entry);
    return slot.symbol;
}
