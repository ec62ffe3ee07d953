#pragma once
// Folders on a network drive (NFS, SMB/CIFS, sshfs and other FUSE mounts): their client keeps a copy of
// each folder's listing for a while (sshfs twenty seconds, NFS up to a minute), so a file that another PC
// saved meanwhile is not listed yet. A change made through this PC's own mount makes the client read the
// folder from its server again.

#include <QString>

// Whether the folder at path is on a network file system.
bool IsNetworkFolder(const QString &path);

// Makes the client of a network folder list it afresh at the next reading, by creating and removing an
// empty hidden file in it (nothing is done on a local folder, nor where the folder cannot be written).
void ForgetCachedListing(const QString &folder);
