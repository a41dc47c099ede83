#pragma once

#include <QImage>
#include <QString>

#include <vector>

// One overview picture of every generated picture, small ones scaled up, each labelled.
class ContactSheet {
public:
    void add(const QString& label, const QImage& image, int scale = 1);
    QImage render() const;

private:
    struct Entry {
        QString label;
        QImage image;
        int scale;
    };
    std::vector<Entry> entries_;
};
