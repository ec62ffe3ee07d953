#pragma once
// The work folder, where documents are opened and saved: a full path ending in "/", kept in the
// settings file. After every save the saved file's folder becomes the work folder.

#include <QString>
#include <QStringList>

// The work folder; on first use the data folder (the application folder unless installed into a system
// folder) followed by "Work/", created with its parents. A stored Windows path reads as that default. A
// stored folder that cannot be used (a file, relative, too long for the system or the settings file, or
// impossible to create) gives the default too, and *problem says so in Korean.
QString GetWorkPath(const QString &iniFileName, QString *problem = nullptr);

// Makes the folder of fileName the work folder and the process's current folder. Raises IoError when
// the folder cannot be created or entered.
void SetWorkPath(const QString &fileName, const QString &iniFileName);

// The register's folder (without a trailing "/"): the one the user chose for it, else the default work
// folder. It does not follow the work folder.
QString GetRegisterFolder(const QString &iniFileName);
void SetRegisterFolder(const QString &folder, const QString &iniFileName);

// The documents saved lately (newest last, at most a hundred), so that the register can tell about those
// saved outside its folder.
void NoteSavedDocument(const QString &path, const QString &iniFileName);
QStringList SavedDocuments(const QString &iniFileName);
