#pragma once
// What the editable controls of a form showed when their record was last
// loaded or committed, so a commit can tell the change log what a field
// showed before and after. Only what the user can read is kept: edit texts,
// combo texts and check states; push buttons have no value.
#include <QHash>
#include <QString>

#include <optional>
#include <utility>

class QWidget;

class ShownValues {
public:
    // Remembers what every control of `root` that carries an id shows now.
    void snapshot(const QWidget* root);
    // The shown value of `controlId` before and now, when it changed; the
    // new value becomes the remembered one.
    std::optional<std::pair<QString, QString>> takeChange(const QWidget* root, int controlId);

    // The value a control shows; nullopt for controls without one.
    static std::optional<QString> shownValue(const QWidget* control);

private:
    QHash<int, QString> values_;
};
