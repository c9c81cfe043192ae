#include "app/SkinImageCache.h"

#include <sys/stat.h>

#include "platform/base/Paths.h"

bool CSkinImageCache::FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

CSkinImageCache::FileStamp CSkinImageCache::StampOf(const CString& strPath) {
    struct stat info {};
    if (::stat(qx::ToFileSystemPath(strPath).c_str(), &info) != 0) return {};
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

Gdiplus::GpImage* CSkinImageCache::GetImage(const CString& strPath) {
    const FileStamp stamp = StampOf(strPath);
    auto it = m_entries.find(strPath);
    if (it != m_entries.end() && it->second.stamp == stamp) return it->second.image.get();

    Gdiplus::GpBitmap* pImage = nullptr;
    Gdiplus::GdipCreateBitmapFromFile(strPath.c_str(), &pImage);
    Entry& entry = m_entries[strPath];
    entry.stamp = stamp;
    entry.image.reset(pImage);
    return pImage;
}
