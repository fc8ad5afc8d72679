/* The reference for saving: writes the bytes of FILE to OUT through a temporary file that is
   synced with fdatasync and renamed over OUT, the least a safe save must do. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    FILE* in;
    char* bytes;
    long size;
    char temporary[4096];
    int out;
    if (argc != 3 || !(in = fopen(argv[1], "rb")))
        return 2;
    fseek(in, 0, SEEK_END);
    size = ftell(in);
    rewind(in);
    bytes = malloc((size_t)size + 1);
    if (!bytes || fread(bytes, 1, (size_t)size, in) != (size_t)size)
        return 1;
    fclose(in);
    snprintf(temporary, sizeof temporary, "%s.tmp", argv[2]);
    out = open(temporary, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || write(out, bytes, (size_t)size) != size || fdatasync(out) != 0 || close(out))
        return 1;
    if (rename(temporary, argv[2]) != 0)
        return 1;
    free(bytes);
    return 0;
}
