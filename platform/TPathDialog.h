#pragma once

#include <QString>

// A folder dialog component: it is given a caption and a start folder and
// remembers the folder last chosen, where it starts next time unless told
// otherwise. Its root is the desktop; with no folder yet it starts there.
class TPathDialog
{
public:
    QString Caption;
    // Start folder; after a confirmed Execute the chosen folder.
    QString Path;

    bool Execute();
    static QString Root();
};
