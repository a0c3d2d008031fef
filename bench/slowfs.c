/* A read-only view of a folder that waits a set time in every call, as a
 * file share across a network does: the stand-in for a share in
 * share_bench.sh. Built by that script against libfuse3, never by the
 * project's build.
 *
 *   slowfs BACKING-FOLDER DELAY-MICROSECONDS MOUNTPOINT [FUSE OPTIONS]
 */
#define FUSE_USE_VERSION 31

#include <fuse.h>

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static const char *backing;
static useconds_t delay;

/* The backing path of path, after the call's wait. */
static void Backing(const char *path, char *real)
{
    usleep(delay);
    snprintf(real, PATH_MAX, "%s%s", backing, path);
}

static int GetAttr(const char *path, struct stat *status, struct fuse_file_info *file)
{
    char real[PATH_MAX];
    (void)file;
    Backing(path, real);
    return lstat(real, status) == 0 ? 0 : -errno;
}

static int ReadLink(const char *path, char *target, size_t size)
{
    char real[PATH_MAX];
    Backing(path, real);
    const ssize_t length = readlink(real, target, size - 1);
    if (length < 0)
        return -errno;
    target[length] = '\0';
    return 0;
}

static int OpenDir(const char *path, struct fuse_file_info *file)
{
    char real[PATH_MAX];
    Backing(path, real);
    DIR *stream = opendir(real);
    if (!stream)
        return -errno;
    file->fh = (uint64_t)(uintptr_t)stream;
    return 0;
}

static int ReadDir(const char *path, void *buffer, fuse_fill_dir_t fill, off_t offset,
                   struct fuse_file_info *file, enum fuse_readdir_flags flags)
{
    DIR *stream = (DIR *)(uintptr_t)file->fh;
    (void)path;
    (void)offset;
    (void)flags;
    usleep(delay);
    struct dirent *entry;
    while ((entry = readdir(stream)) != NULL) {
        struct stat status;
        memset(&status, 0, sizeof status);
        status.st_ino = entry->d_ino;
        status.st_mode = (mode_t)entry->d_type << 12;
        if (fill(buffer, entry->d_name, &status, 0, 0))
            break;
    }
    return 0;
}

static int ReleaseDir(const char *path, struct fuse_file_info *file)
{
    (void)path;
    closedir((DIR *)(uintptr_t)file->fh);
    return 0;
}

static int Open(const char *path, struct fuse_file_info *file)
{
    char real[PATH_MAX];
    if ((file->flags & O_ACCMODE) != O_RDONLY)
        return -EROFS;
    Backing(path, real);
    const int handle = open(real, O_RDONLY);
    if (handle < 0)
        return -errno;
    file->fh = (uint64_t)handle;
    return 0;
}

static int Read(const char *path, char *buffer, size_t size, off_t offset,
                struct fuse_file_info *file)
{
    (void)path;
    usleep(delay);
    const ssize_t count = pread((int)file->fh, buffer, size, offset);
    return count < 0 ? -errno : (int)count;
}

static int Release(const char *path, struct fuse_file_info *file)
{
    (void)path;
    close((int)file->fh);
    return 0;
}

static const struct fuse_operations kOperations = {
    .getattr = GetAttr,
    .readlink = ReadLink,
    .open = Open,
    .read = Read,
    .release = Release,
    .opendir = OpenDir,
    .readdir = ReadDir,
    .releasedir = ReleaseDir,
};

int main(int argc, char *argv[])
{
    if (argc < 4) {
        fprintf(stderr, "usage: slowfs BACKING-FOLDER DELAY-MICROSECONDS MOUNTPOINT [FUSE OPTIONS]\n");
        return 2;
    }
    backing = realpath(argv[1], NULL);
    if (!backing) {
        perror(argv[1]);
        return 2;
    }
    delay = (useconds_t)strtoul(argv[2], NULL, 10);
    argv[2] = argv[0];
    return fuse_main(argc - 2, argv + 2, &kOperations, NULL);
}
