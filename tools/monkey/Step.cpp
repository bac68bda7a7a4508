#include "Step.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace monkey {

namespace {

constexpr Action Actions[] = {Action::Click, Action::Double, Action::Move,   Action::Type,
                              Action::Fire,  Action::Close,  Action::Restart};

std::optional<Action> actionNamed(const QString& name) {
    for (Action action : Actions)
        if (name == QLatin1String(actionName(action))) return action;
    return std::nullopt;
}

} // namespace

const char* actionName(Action action) {
    switch (action) {
    case Action::Click:
        return "click";
    case Action::Double:
        return "double-click";
    case Action::Move:
        return "move";
    case Action::Type:
        return "type";
    case Action::Fire:
        return "fire";
    case Action::Close:
        return "close";
    case Action::Restart:
        return "restart";
    }
    return "?";
}

QString toLine(const Step& step) {
    QJsonObject o;
    o[QStringLiteral("a")] = QLatin1String(actionName(step.action));
    if (!step.screen.isEmpty()) o[QStringLiteral("s")] = step.screen;
    if (!step.control.isEmpty()) o[QStringLiteral("c")] = step.control;
    if (step.row >= 0) o[QStringLiteral("row")] = step.row;
    if (step.action == Action::Move)
        o[QStringLiteral("at")] = QJsonArray{step.point.x(), step.point.y()};
    if (step.action == Action::Type) {
        o[QStringLiteral("text")] = step.text;
        if (step.clearFirst) o[QStringLiteral("clear")] = true;
    }
    if (!step.inputs.isEmpty()) o[QStringLiteral("in")] = QJsonArray::fromStringList(step.inputs);
    if (!step.yesNo.empty()) {
        QJsonArray answers;
        for (bool yes : step.yesNo)
            answers.append(yes);
        o[QStringLiteral("yes")] = answers;
    }
    if (!step.luck.empty()) {
        QJsonArray values;
        for (float r : step.luck)
            values.append(static_cast<double>(r));
        o[QStringLiteral("r")] = values;
    }
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

std::optional<Step> fromLine(const QString& line) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject o = doc.object();
    const auto action = actionNamed(o.value(QStringLiteral("a")).toString());
    if (!action) return std::nullopt;
    Step step;
    step.action = *action;
    step.screen = o.value(QStringLiteral("s")).toString();
    step.control = o.value(QStringLiteral("c")).toString();
    step.row = o.value(QStringLiteral("row")).toInt(-1);
    const QJsonArray at = o.value(QStringLiteral("at")).toArray();
    if (at.size() == 2) step.point = QPoint(at.at(0).toInt(), at.at(1).toInt());
    step.text = o.value(QStringLiteral("text")).toString();
    step.clearFirst = o.value(QStringLiteral("clear")).toBool();
    for (const QJsonValue& v : o.value(QStringLiteral("in")).toArray())
        step.inputs.append(v.toString());
    for (const QJsonValue& v : o.value(QStringLiteral("yes")).toArray())
        step.yesNo.push_back(v.toBool());
    for (const QJsonValue& v : o.value(QStringLiteral("r")).toArray())
        step.luck.push_back(static_cast<float>(v.toDouble()));
    return step;
}

QString describe(const Step& step) {
    QString text = QLatin1String(actionName(step.action));
    if (!step.screen.isEmpty())
        text += QLatin1Char(' ') + step.screen +
                (step.control.isEmpty() ? QString() : QLatin1Char('/') + step.control);
    if (step.row >= 0) text += QStringLiteral(" item %1").arg(step.row);
    if (step.action == Action::Move)
        text += QStringLiteral(" to %1,%2").arg(step.point.x()).arg(step.point.y());
    if (step.action == Action::Type)
        text += (step.clearFirst ? QStringLiteral(" (cleared) \"") : QStringLiteral(" \"")) +
                step.text.left(40) + (step.text.size() > 40 ? QStringLiteral("...\"") : "\"");
    for (const QString& answer : step.inputs)
        text += QStringLiteral(" [input \"%1\"]").arg(answer.left(40));
    for (bool yes : step.yesNo)
        text += yes ? QStringLiteral(" [Yes]") : QStringLiteral(" [No]");
    if (!step.luck.empty()) text += QStringLiteral(" [%1 random values]").arg(step.luck.size());
    return text;
}

} // namespace monkey
