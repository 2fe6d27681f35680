#pragma once
// Shows the addresses in a text field as links (underlined, in the link
// colour) without touching the text's own formatting, so nothing of it
// reaches the saved rich text.

#include <QSyntaxHighlighter>

class CLinkHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit CLinkHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};
