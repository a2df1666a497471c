# resources of font
