# resources of pictures
