"""Prints the elements of an SVG file as Python's XML parser reads them, one a
line in document order: tag, class of the innermost group around it, then
name=value per attribute and text=... for the character data, tab-separated
(tabs and line ends inside values printed as \\t and \\n). Status 1: the file
is not well-formed XML."""
import sys
import xml.etree.ElementTree as ET


def walk(element, group, out):
    clean = lambda s: s.replace("\t", "\\t").replace("\n", "\\n")
    fields = [element.tag.split("}")[-1], group]
    fields += [clean(k.split("}")[-1]) + "=" + clean(v) for k, v in element.attrib.items()]
    if element.text is not None and element.text.strip(" \t\r\n"):
        fields.append("text=" + clean(element.text))
    out.append("\t".join(fields) + "\n")
    for child in element:
        walk(child, element.attrib.get("class", group), out)


try:
    root = ET.parse(sys.argv[1]).getroot()
except ET.ParseError as error:
    sys.exit("not well-formed: %s" % error)
out = []
walk(root, "", out)
sys.stdout.buffer.write("".join(out).encode("utf-8"))
