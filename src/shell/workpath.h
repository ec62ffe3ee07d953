#pragma once
// The work folder, where documents are opened and saved: a full path ending in "/", kept in the
// settings file. After every save the saved file's folder becomes the work folder.

#include <QString>

// The work folder; on first use the data folder (the application folder unless installed into a system
// folder) followed by "Work/", created with its parents. A stored Windows path reads as that default.
QString GetWorkPath(const QString &iniFileName);

// Makes the folder of fileName the work folder and the process's current folder. Raises IoError when
// the folder cannot be created or entered.
void SetWorkPath(const QString &fileName, const QString &iniFileName);
