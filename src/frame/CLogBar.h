#pragma once
// A docking bar with a report list: the "Log View" bar and the "Invalid
// View" bar that lists the invalid values found by validation.
#include <QDockWidget>

class QTreeWidget;
class IFrameHost;

struct LogColumn {
    int captionId;
    const char* builtIn;
    int width;
};

class CLogBar : public QDockWidget {
    Q_OBJECT
public:
    // titleId: the command that shows the bar; its text names the bar.
    CLogBar(const QString& objectName, int titleId, const QString& builtInTitle,
            std::initializer_list<LogColumn> columns, QWidget* parent = nullptr);

    void applyTexts(const IFrameHost& host);
    // Narrows the columns in the proportions of their widths when the list
    // is too narrow to show them all, so no column starts out of sight.
    void fitColumns();

    // Invalid-value list: an entry is one line keyed by the reporting
    // record's key; the same key is listed once.
    struct Entry {
        int key = 0;
        int controlId = 0;
        QString label;
        QString problem;
    };
    // Adds the entry unless its key is listed or the current model disables
    // its control. Returns true when a line was added.
    bool add(const Entry& entry, const IFrameHost& host);
    void remove(int key);
    void clear();
    bool hasEntries() const;
    int lineCount() const;
    QStringList line(int index) const;

    // Log lines: one text per column, appended at the end and scrolled
    // into view. The oldest lines go once kMaxLines are listed.
    static constexpr int kMaxLines = 2000;
    void appendLine(const QStringList& columns);

    QTreeWidget* list() const { return m_list; }

signals:
    // Double-click on a line: the frame may show the control that holds it.
    void lineActivated(int key, int controlId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_titleId;
    QString m_builtInTitle;
    std::vector<LogColumn> m_columns;
    QTreeWidget* m_list;
};
