#pragma once
// Decoded skin images by file path, so that a redraw of the skin does not decode every PNG
// again. Each look-up checks the file on disk (its identity, size and modification time) and
// decodes it again when it changed, so a skin edited on disk shows at the next redraw exactly as
// if every image were loaded fresh.

#include <sys/types.h>

#include <ctime>
#include <map>
#include <memory>

#include "platform/base/WinTypes.h"
#include "platform/gfx/GdiPlus.h"

class CSkinImageCache {
public:
    // The image of the file, owned by the cache and valid until the next look-up of the same
    // path; null when the file cannot be loaded as an image.
    Gdiplus::GpImage* GetImage(const CString& strPath);

private:
    struct ImageDisposer {
        void operator()(Gdiplus::GpBitmap* image) const { Gdiplus::GdipDisposeImage(image); }
    };
    // What tells one version of a file from another; all zero for a file that is not there.
    struct FileStamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        bool operator==(const FileStamp& other) const;
    };
    struct Entry {
        FileStamp stamp;
        std::unique_ptr<Gdiplus::GpBitmap, ImageDisposer> image;
    };

    static FileStamp StampOf(const CString& strPath);

    std::map<CString, Entry> m_entries;
};
