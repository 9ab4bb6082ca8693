#pragma once

class CAccessAttributes;

// Opens everything below a folder to every user: full rights on folders and
// files, read and execute only on files whose names hold ".lib". The folder
// itself is not changed.
//
// Root runs this over a folder every user may write to, so links are
// skipped, never followed, and so are files with more than one name (the
// other name may lie anywhere on the file system): rights are opened only on
// what lies inside the tree.
class CTreeGrant
{
public:
    CTreeGrant(const CAccessAttributes& full, const CAccessAttributes& readExecute);

    // False as soon as one entry could not be granted its rights.
    bool GrantTree(int folderFd) const;

private:
    const CAccessAttributes& m_full;
    const CAccessAttributes& m_readExecute;
};
