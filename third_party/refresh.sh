#!/usr/bin/env bash
# Refreshes the picture decoders' sources under third_party/ from Debian 12's
# source packages: fetches each at the version pinned below with apt-get
# source, which applies Debian's patches, and copies in the files that a
# decoder compiles, with the libraries' licences and Debian's copyright file.
# Each folder's CMakeLists.txt and config/ are this project's own and are
# left as they are. Needs a deb-src entry for the archive (see README.md)
# and dpkg-dev.
set -euo pipefail
cd "$(dirname "$0")"
jpeg_version=1:2.1.5-2
png_version=1.6.39-2+deb12u5
zlib_version=1:1.2.13.dfsg-1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq "libjpeg-turbo=$jpeg_version" "libpng1.6=$png_version" \
  "zlib=$zlib_version" >/dev/null)

# keep FOLDER FROM FILE...: FOLDER's copied files become FROM's FILE...
keep() {
  local folder=$1 from=$2
  shift 2
  mkdir -p "$folder"
  find "$folder" -mindepth 1 -maxdepth 1 ! -name CMakeLists.txt ! -name config -exec rm -rf {} +
  for file in "$@"; do
    install -D -m 644 "$from/$file" "$folder/$file"
  done
}

# libjpeg-turbo: the decompressor, with arithmetic decoding, progressive
# scans, every colour conversion, upsampling, scaled IDCTs and colour
# quantisation, the error and memory managers, the memory and stdio source
# managers, and the C fallback for the SIMD hooks (jsimd_none.c).
from=$(echo "$work"/libjpeg-turbo-*/)
keep libjpeg-turbo "$from" \
  jaricom.c jcomapi.c jdapimin.c jdapistd.c jdarith.c jdatasrc.c jdcoefct.c jdcol565.c \
  jdcolext.c jdcolor.c jddctmgr.c jdhuff.c jdicc.c jdinput.c jdmainct.c jdmarker.c jdmaster.c \
  jdmerge.c jdmrg565.c jdmrgext.c jdphuff.c jdpostct.c jdsample.c jdtrans.c jerror.c \
  jidctflt.c jidctfst.c jidctint.c jidctred.c jmemmgr.c jmemnobs.c jquant1.c jquant2.c \
  jsimd_none.c jstdhuff.c jutils.c \
  jchuff.h jdcoefct.h jdct.h jdhuff.h jdmainct.h jdmaster.h jdmerge.h jdsample.h jerror.h jinclude.h \
  jmemsys.h jmorecfg.h jpegcomp.h jpegint.h jpeglib.h jsimd.h jsimddct.h \
  LICENSE.md README.ijg README.md debian/copyright \
  simd/nasm/jsimdext.inc  # not compiled: the licence that jsimd*.[ch] refer to
# jversion.h as upstream's CMake list writes it (its COPYRIGHT_YEAR).
year=$(sed -n 's/^set(COPYRIGHT_YEAR "\(.*\)")$/\1/p' "$from/CMakeLists.txt")
sed "s/@COPYRIGHT_YEAR@/$year/" "$from/jversion.h.in" >libjpeg-turbo/jversion.h

# libpng: the reading side (pull mode), its transformations and the
# functions common to reading and writing.
from=$(echo "$work"/libpng1.6-*/)
keep libpng "$from" \
  png.c pngerror.c pngget.c pngmem.c pngread.c pngrio.c pngrtran.c pngrutil.c pngset.c \
  pngtrans.c png.h pngconf.h pngdebug.h pnginfo.h pngpriv.h pngstruct.h \
  LICENSE README AUTHORS TRADEMARK debian/copyright
# pnglibconf.h: libpng's default configuration, as scripts/pnglibconf.h.prebuilt
# holds it, with writing turned off by libpng's own configurator (with it on,
# png.c and pngset.c call into the writing side, and that into zlib's
# deflate); against the zlib.h kept here.
echo "option WRITE off" >"$work/read-only.dfa"
make -C "$from" -f scripts/pnglibconf.mak AWK=awk CPPFLAGS="-I$(echo "$work"/zlib-*/)" \
  DFA_XTRA="$work/read-only.dfa" pnglibconf.h >"$work/pnglibconf.log" 2>&1 ||
  { cat "$work/pnglibconf.log" >&2; exit 1; }
cp "$from/pnglibconf.h" libpng/pnglibconf.h

# zlib: inflation and the checksums, with zlib's own zconf.h.
from=$(echo "$work"/zlib-*/)
keep zlib "$from" \
  adler32.c crc32.c inffast.c inflate.c inftrees.c zutil.c \
  crc32.h gzguts.h inffast.h inffixed.h inflate.h inftrees.h zconf.h zlib.h zutil.h \
  LICENSE README debian/copyright
