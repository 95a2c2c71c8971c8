#include "ic/name_validator.h"

#include "ic/ic_names.h"

CharacterFilter::CharacterFilter(std::function<QString(const QString&)> filter, QObject* parent)
    : QValidator(parent), filter_(std::move(filter))
{
}

QValidator::State CharacterFilter::validate(QString& input, int& pos) const
{
    // The caret stays behind the same characters it stood behind.
    const QString before = filter_(input.left(pos));
    input = filter_(input);
    pos = static_cast<int>(std::min(before.size(), input.size()));
    return Acceptable;
}

CharacterFilter* NewFieldTextFilter(QObject* parent)
{
    return new CharacterFilter(WithoutFieldBreakers, parent);
}

CharacterFilter* NewICNameFilter(QObject* parent)
{
    return new CharacterFilter(FilterICName, parent);
}
