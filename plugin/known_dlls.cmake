# The DLLs that the plug-in may name in its import table, and why each is
# safe there. The plug-in runs inside the host and inside every publication
# an author compiles, often started from a downloads folder. A DLL that the
# plug-in imports is looked for, unless the system redirects it, first in the
# folder of the program that loaded the plug-in: a file of that name lying
# there would run inside the author's or the reader's program.
#
# So only DLLs that no search reaches belong here, and only those the plug-in
# needs:
# - Windows' known DLLs (the KnownDLLs list of every supported Windows, from
#   7 on), which the loader takes from the system folder only;
# - comctl32, which the plug-in's own manifest (resource 2) binds to common
#   controls 6 in the side-by-side store; the loader applies that manifest to
#   the plug-in's imports before any folder is searched.
# Any other library (oleacc, ...) is loaded at its first need from the system
# folder (toolkit/system_library.h), never imported.
set(TARVEX_KNOWN_DLLS
  kernel32.dll
  user32.dll
  gdi32.dll
  comdlg32.dll
  ole32.dll
  oleaut32.dll
  shell32.dll
  msvcrt.dll
  comctl32.dll)
