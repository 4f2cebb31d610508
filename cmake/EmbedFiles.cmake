# Writes a C++ source that defines BuiltInBannerFiles() over the bytes of
# every file of a folder (name order), so the program carries them without
# looking up a path:
#   cmake -DOUTPUT=<file.cpp> -DFOLDER=<folder> -P EmbedFiles.cmake
file(GLOB FILES LIST_DIRECTORIES false ${FOLDER}/*)
list(SORT FILES)
set(text "// Made by cmake/EmbedFiles.cmake in the build; not edited by hand.\n")
string(APPEND text "#include \"banners/BuiltInBannerFiles.h\"\n\nnamespace {\n\n")
set(entries "")
set(n 0)
foreach(file IN LISTS FILES)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  get_filename_component(name ${file} NAME)
  string(APPEND text "constexpr char kFile${n}[] = {${bytes}};\n")
  string(APPEND entries "    {\"${name}\", {kFile${n}, ${size}}},\n")
  math(EXPR n "${n} + 1")
endforeach()
string(APPEND text "\nconstexpr SBuiltInFile kFiles[] = {\n${entries}};\n\n} // namespace\n\n")
string(APPEND text "std::span<const SBuiltInFile> BuiltInBannerFiles()\n{\n    return kFiles;\n}\n")
file(WRITE ${OUTPUT} "${text}")
