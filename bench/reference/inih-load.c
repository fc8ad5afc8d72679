/* The side-by-side reference for loading: reads an initialisation file with the C reader inih,
   counting its entries, and exits. */
#include <ini.h>
#include <stdio.h>

static int countEntry(void* count, const char* section, const char* name, const char* value)
{
    (void)section;
    (void)name;
    (void)value;
    ++*(long*)count;
    return 1;
}

int main(int argc, char* argv[])
{
    long count = 0;
    if (argc != 2)
        return 2;
    if (ini_parse(argv[1], countEntry, &count) < 0)
        return 1;
    printf("%ld entries\n", count);
    return 0;
}
