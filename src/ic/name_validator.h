#pragma once
// A validator for the name boxes: characters a box does not take are left
// out as they are typed or pasted, and the rest of the text stays.
#include <QValidator>
#include <functional>

class CharacterFilter : public QValidator {
public:
    CharacterFilter(std::function<QString(const QString&)> filter, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<QString(const QString&)> filter_;
};

// For connector names and text labels: no field breakers.
CharacterFilter* NewFieldTextFilter(QObject* parent);
// For IC names: only the characters an IC name may hold.
CharacterFilter* NewICNameFilter(QObject* parent);
