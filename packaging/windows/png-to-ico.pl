#!/usr/bin/perl
# Wraps a PNG into an ICO file of one image (an ICO may hold a PNG as it is since Windows Vista).
# Usage: png-to-ico.pl IN.png OUT.ico
use strict;
use warnings;
open(my $in, '<:raw', $ARGV[0]) or die "$ARGV[0]: $!";
my $png = do { local $/; <$in> };
my ($w, $h) = unpack('NN', substr($png, 16, 8)); # the PNG's IHDR
open(my $out, '>:raw', $ARGV[1]) or die "$ARGV[1]: $!";
print $out pack('vvv', 0, 1, 1),
    pack('CCCCvvVV', $w >= 256 ? 0 : $w, $h >= 256 ? 0 : $h, 0, 0, 1, 32, length($png), 22), $png;
close($out) or die "$ARGV[1]: $!";
